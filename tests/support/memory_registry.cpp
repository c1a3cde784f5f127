// SPDX-License-Identifier: MIT
#include "tests/support/memory_registry.h"

#include <algorithm>
#include <cstring>

namespace quorvel::sysinfo {
namespace {

std::string Folded(const std::string& text) {
  std::string folded = text;
  std::ranges::transform(folded, folded.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return folded;
}

}  // namespace

RegStatus MemoryRegistry::OpenKey(RegKey root, const std::string& path, std::uint32_t access,
                                  RegKey& key) {
  auto found = keys_.find({root, Folded(path)});
  if (found == keys_.end())
    return kRegFileNotFound;
  if ((access & ~found->second.grantedAccess) != 0)
    return kRegAccessDenied;
  key = nextHandle_++;
  open_.emplace(key, &found->second);
  return kRegSuccess;
}

RegStatus MemoryRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                                     std::span<std::byte> data, std::uint32_t& size) {
  auto open = open_.find(key);
  if (open == open_.end())
    return kRegInvalidHandle;
  auto found = open->second->values.find(Folded(name));
  if (found == open->second->values.end())
    return kRegFileNotFound;
  const Value& value = found->second;
  type = value.type;
  size = static_cast<std::uint32_t>(value.data.size());
  if (value.data.size() > data.size())
    return kRegMoreData;
  std::ranges::copy(value.data, data.begin());
  return kRegSuccess;
}

void MemoryRegistry::CloseKey(RegKey key) {
  open_.erase(key);
}

MemoryRegistry::Key& MemoryRegistry::MakeKey(RegKey root, const std::string& path) {
  return keys_[{root, Folded(path)}];
}

void MemoryRegistry::SetValue(RegKey root, const std::string& path, const std::string& name,
                              std::uint32_t type, std::vector<std::byte> data) {
  MakeKey(root, path).values[Folded(name)] = Value{type, std::move(data)};
}

void MemoryRegistry::SetString(RegKey root, const std::string& path, const std::string& name,
                               const std::string& text, bool withNul) {
  std::vector<std::byte> data(text.size() + (withNul ? 1 : 0));
  std::memcpy(data.data(), text.data(), text.size());
  SetValue(root, path, name, kRegSz, std::move(data));
}

void MemoryRegistry::SetDword(RegKey root, const std::string& path, const std::string& name,
                              std::uint32_t value) {
  std::vector<std::byte> data(4);
  for (std::size_t i = 0; i < 4; ++i)
    data[i] = static_cast<std::byte>((value >> (8 * i)) & 0xFFu);
  SetValue(root, path, name, kRegDword, std::move(data));
}

void MemoryRegistry::GrantAccess(RegKey root, const std::string& path, std::uint32_t access) {
  MakeKey(root, path).grantedAccess = access;
}

}  // namespace quorvel::sysinfo
