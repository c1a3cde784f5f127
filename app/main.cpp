// SPDX-License-Identifier: MIT
// The program's entry. Until the windows are built it asks on the terminal.
#include <iostream>
#include <string>

#include "app/calc_error.h"
#include "calc/hyperfocal.h"

int main() {
  std::cout << "Quorvel (terminal version: the windows are not built yet)\n";
  std::string focal;
  std::string aperture;
  std::cout << "Enter your focal length (mm): " << std::flush;
  std::getline(std::cin, focal);
  std::cout << "Enter your aperture (F/_): " << std::flush;
  std::getline(std::cin, aperture);
  try {
    std::cout << "Hyperfocal distance:" << quorvel::CalcHyperfocal(focal, aperture) << '\n';
  } catch (const quorvel::CalcError& error) {
    std::cerr << "Error " << error.number() << ": " << error.description() << '\n';
    return 1;
  }
  return 0;
}
