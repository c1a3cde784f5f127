#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The program's catalogues, translations/quorvel_<language>.ts.

One catalogue per language, English the source, in Qt Linguist's format, with
four contexts:

  Quorvel               every text of the program: the strings marked in its
                        C++ sources with Mark("...") or Tr("...")
  quorvel.desktop       the desktop entry's GenericName, Comment and Keywords
  quorvel.metainfo.xml  the AppStream summary, description, captions, keywords
  quorvel.nsi           the Windows installer's own texts (its LangStrings)

Commands:

  update               adds the texts that are new to every catalogue, as
                       unfinished entries for the translators, and drops those
                       that are gone (git keeps them)
  check                fails when a text has no finished translation in a
                       catalogue, a catalogue keeps a text that is gone, or a
                       translation drops or adds a placeholder (%1..%9, the
                       installer's $VARIABLES) or an access key's "&"
  pseudo OUT.ts        the pseudo catalogue: every text "[" + accented + "]",
                       a third longer, placeholders and access keys kept
  table OUT_DIR        the catalogues as C++ tables, for the Windows program
  desktop IN OUT       the desktop entry with every language's texts
  metainfo IN OUT      the AppStream metadata with every language's texts
  nsis OUT.nsh         the installer's languages and their texts
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CATALOGUES = os.path.join(ROOT, "translations")
SOURCE_FOLDERS = ["app", "calc", "sysinfo", "ui"]
PROGRAM = "Quorvel"
DESKTOP = "quorvel.desktop"
METAINFO = "quorvel.metainfo.xml"
INSTALLER = "quorvel.nsi"
PSEUDO = "qps_ploc"

# The installer's name for each language, and its language id variable.
NSIS_LANGUAGES = {
    "ar": "Arabic", "de": "German", "es": "Spanish", "fr": "French", "ja": "Japanese",
    "zh_CN": "SimpChinese",
}


# --- the source texts -------------------------------------------------------

LITERAL = r'"(?:[^"\\\n]|\\.)*"'
MARKED = re.compile(r'\b(?:Mark|Tr)\(\s*((?:' + LITERAL + r'\s*)+)\)')


def unescape(literal):
    """The text of a C++ string literal's body."""
    out = []
    i = 0
    while i < len(literal):
        c = literal[i]
        if c != "\\":
            out.append(c)
            i += 1
            continue
        kind = literal[i + 1]
        if kind == "u":
            out.append(chr(int(literal[i + 2:i + 6], 16)))
            i += 6
        elif kind == "U":
            out.append(chr(int(literal[i + 2:i + 10], 16)))
            i += 10
        else:
            out.append({"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}[kind])
            i += 2
    return "".join(out)


def program_texts():
    """The texts marked in the program's sources, in the order they stand."""
    texts = []
    for folder in SOURCE_FOLDERS:
        for directory, _, files in sorted(os.walk(os.path.join(ROOT, folder))):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")) or name == "translation.h":
                    continue
                with open(os.path.join(directory, name), encoding="utf-8") as source:
                    code = source.read()
                for match in MARKED.finditer(code):
                    text = "".join(unescape(part[1:-1])
                                   for part in re.findall(LITERAL, match.group(1)))
                    if text not in texts:
                        texts.append(text)
    return texts


DESKTOP_KEYS = ("GenericName", "Comment", "Keywords")


def desktop_texts(path=os.path.join(ROOT, "packaging", "quorvel.desktop")):
    texts = []
    with open(path, encoding="utf-8") as entry:
        for line in entry:
            key, _, value = line.rstrip("\n").partition("=")
            if key in DESKTOP_KEYS:
                texts.append(value)
    return texts


METAINFO_TAGS = ("summary", "p", "caption", "keyword")


def normalised(text):
    return " ".join(text.split())


def parse_xml(path):
    parser = ET.XMLParser(target=ET.TreeBuilder(insert_comments=True))
    return ET.parse(path, parser)


def metainfo_texts(path=os.path.join(ROOT, "packaging", "quorvel.metainfo.xml.in")):
    texts = []
    for element in parse_xml(path).iter():
        if element.tag in METAINFO_TAGS and "{http://www.w3.org/XML/1998/namespace}lang" not in element.attrib:
            text = normalised(element.text or "")
            if text not in texts:
                texts.append(text)
    return texts


LANGSTRING = re.compile(r'^LangString\s+(\w+)\s+\$\{LANG_ENGLISH\}\s+"((?:[^"$]|\$.)*)"\s*$')


def installer_strings(path=os.path.join(ROOT, "packaging", "windows", "quorvel.nsi")):
    """The installer's LangStrings in English: name -> text, as written."""
    strings = {}
    with open(path, encoding="utf-8") as script:
        for line in script:
            match = LANGSTRING.match(line.strip())
            if match:
                strings[match.group(1)] = match.group(2)
    return strings


def all_texts():
    return {
        PROGRAM: program_texts(),
        DESKTOP: desktop_texts(),
        METAINFO: metainfo_texts(),
        INSTALLER: list(installer_strings().values()),
    }


# --- the catalogues -----------------------------------------------------------

def catalogue_paths():
    return sorted(os.path.join(CATALOGUES, name) for name in os.listdir(CATALOGUES)
                  if name.startswith("quorvel_") and name.endswith(".ts"))


def language_of(path):
    return os.path.basename(path)[len("quorvel_"):-len(".ts")]


def read_catalogue(path):
    """context -> list of (source, translation, type) in the file's order."""
    contexts = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        messages = contexts.setdefault(name, [])
        for message in context.iter("message"):
            translation = message.find("translation")
            messages.append((message.findtext("source"), translation.text or "",
                             translation.get("type", "")))
    return contexts


def write_catalogue(path, language, contexts):
    def escape(text):
        return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
                .replace('"', "&quot;").replace("'", "&apos;"))
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{language}" sourcelanguage="en">']
    for name, messages in contexts.items():
        lines += ["<context>", f"    <name>{escape(name)}</name>"]
        for source, translation, kind in messages:
            attribute = f' type="{kind}"' if kind else ""
            lines += ["    <message>", f"        <source>{escape(source)}</source>",
                      f"        <translation{attribute}>{escape(translation)}</translation>",
                      "    </message>"]
        lines.append("</context>")
    lines.append("</TS>")
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def translations(path):
    """context -> {source: translation} of the finished entries."""
    return {context: {source: translation for source, translation, kind in messages if not kind}
            for context, messages in read_catalogue(path).items()}


# --- update and check ---------------------------------------------------------

def update():
    texts = all_texts()
    for path in catalogue_paths():
        old = read_catalogue(path)
        contexts = {}
        for context, sources in texts.items():
            known = {source: (translation, kind) for source, translation, kind in old.get(context, [])}
            contexts[context] = [(source, *known.get(source, ("", "unfinished"))) for source in sources]
        write_catalogue(path, language_of(path), contexts)
        print(f"{os.path.relpath(path, ROOT)}: updated")


PLACEHOLDER = re.compile(r"%[1-9]")
INSTALLER_PLACEHOLDER = re.compile(r"\$\\.|\$\{[A-Za-z0-9_]+\}|\$[A-Za-z0-9_]+")


def placeholders(context, text):
    pattern = INSTALLER_PLACEHOLDER if context == INSTALLER else PLACEHOLDER
    return sorted(pattern.findall(text))


def access_keys(text):
    """The number of access keys: "&" before anything but "&" or a blank."""
    return len(re.findall(r"&(?![&\s])", text))


def problems(path, texts):
    found = []
    language = language_of(path)
    catalogue = read_catalogue(path)
    for context, sources in texts.items():
        entries = {source: (translation, kind) for source, translation, kind in catalogue.get(context, [])}
        for source in sources:
            if source not in entries:
                found.append(f"{language}: no entry for {context} {source!r}")
                continue
            translation, kind = entries[source]
            if kind or not translation:
                found.append(f"{language}: no finished translation of {context} {source!r}")
                continue
            if placeholders(context, source) != placeholders(context, translation):
                found.append(f"{language}: the placeholders of {context} {source!r} are "
                             f"{placeholders(context, source)}, its translation has "
                             f"{placeholders(context, translation)}: {translation!r}")
            if access_keys(source) != access_keys(translation):
                found.append(f"{language}: {context} {source!r} has {access_keys(source)} access "
                             f"key(s), its translation {access_keys(translation)}: {translation!r}")
        for source, (translation, kind) in entries.items():
            if source not in sources:
                found.append(f"{language}: {context} {source!r} is no text of the program any more")
    for context in catalogue:
        if context not in texts:
            found.append(f"{language}: the context {context!r} is none of the program's")
    return found


def check():
    texts = all_texts()
    found = []
    paths = catalogue_paths()
    if not paths:
        found.append("no catalogues in translations/")
    for path in paths:
        found += problems(path, texts)
    for problem in found:
        print(problem, file=sys.stderr)
    count = sum(len(sources) for sources in texts.values())
    print(f"{len(paths)} catalogues of {count} texts: "
          f"{'all whole' if not found else f'{len(found)} problems'}")
    return 1 if found else 0


# --- the pseudo catalogue -------------------------------------------------------

ACCENTED = str.maketrans("AaCcEeIiNnOoUuYy", "ÀàÇçÉéÎîÑñÖöÜüÝý")


def pseudo_text(context, source):
    """"[" + the text with its letters accented + "!"s + "]", a third longer
    (marks included, so a text of a few letters grows by two); placeholders,
    access keys and the letters they mark stay, and so do the blanks around
    the text and a final line end."""
    body = source.strip(" \n")
    lead = source[:len(source) - len(source.lstrip(" \n"))]
    trail = source[len(source.rstrip(" \n")):]
    pattern = INSTALLER_PLACEHOLDER if context == INSTALLER else PLACEHOLDER
    out = []
    i = 0
    while i < len(body):
        match = pattern.match(body, i)
        if match:
            out.append(match.group(0))
            i = match.end()
        elif body[i] == "&" and i + 1 < len(body):
            out.append(body[i:i + 2])
            i += 2
        else:
            out.append(body[i].translate(ACCENTED))
            i += 1
    accented = "".join(out)
    padding = "!" * max(0, round(len(body) / 3) - 2)
    return f"{lead}[{accented}{padding}]{trail}"


def pseudo(out_path):
    texts = all_texts()
    contexts = {context: [(source, pseudo_text(context, source), "") for source in sources]
                for context, sources in texts.items()}
    write_catalogue(out_path, PSEUDO, contexts)


# --- the Windows program's tables ---------------------------------------------

def cpp_literal(text):
    """A C++ literal of UTF-8 text that every compiler reads alike."""
    out = []
    for byte in text.encode("utf-8"):
        c = chr(byte)
        if c == '"' or c == "\\":
            out.append("\\" + c)
        elif 32 <= byte < 127 and c != "?":
            out.append(c)
        else:
            out.append(f'\\{byte:03o}')
    return '"' + "".join(out) + '"'


def table(out_dir, pseudo_path):
    paths = catalogue_paths() + [pseudo_path]
    languages = [language_of(path) for path in paths]
    header = ("// Generated by scripts/translations.py from translations/*.ts: do not edit.\n"
              "#include \"app/catalogue.h\"\n\nnamespace quorvel {\n")
    lines = [header]
    lines.append("std::span<const std::string_view> CatalogueLanguages() {")
    lines.append(f"  static constexpr std::string_view kLanguages[] = {{"
                 + ", ".join(cpp_literal(language) for language in languages) + "};")
    lines.append("  return kLanguages;\n}\n\n}  // namespace quorvel")
    write_if_changed(os.path.join(out_dir, "catalogue_languages.cpp"), "\n".join(lines) + "\n")

    lines = [header, "namespace {\n"]
    for index, path in enumerate(paths):
        entries = sorted(translations(path).get(PROGRAM, {}).items(), key=lambda e: e[0].encode())
        lines.append(f"constexpr CatalogueEntry kEntries{index}[] = {{")
        for source, translation in entries:
            lines.append(f"    {{{cpp_literal(source)},\n     {cpp_literal(translation)}}},")
        lines.append("};\n")
    lines.append("}  // namespace\n")
    lines.append("std::span<const Catalogue> Catalogues() {")
    lines.append("  static constexpr Catalogue kCatalogues[] = {")
    for index, language in enumerate(languages):
        lines.append(f"      {{{cpp_literal(language)}, kEntries{index}}},")
    lines.append("  };\n  return kCatalogues;\n}\n\n}  // namespace quorvel")
    write_if_changed(os.path.join(out_dir, "catalogue_table.cpp"), "\n".join(lines) + "\n")


def write_if_changed(path, text):
    if os.path.exists(path):
        with open(path, encoding="utf-8") as old:
            if old.read() == text:
                return
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


# --- the desktop entry, AppStream and the installer ---------------------------

def languages_and_texts(context):
    for path in catalogue_paths():
        yield language_of(path), translations(path).get(context, {})


def desktop(in_path, out_path):
    lines = []
    with open(in_path, encoding="utf-8") as entry:
        for line in entry:
            lines.append(line)
            key, _, value = line.rstrip("\n").partition("=")
            if key in DESKTOP_KEYS:
                for language, texts in languages_and_texts(DESKTOP):
                    lines.append(f"{key}[{language}]={texts[value]}\n")
    with open(out_path, "w", encoding="utf-8") as out:
        out.writelines(lines)


def metainfo(in_path, out_path):
    tree = parse_xml(in_path)
    catalogues = list(languages_and_texts(METAINFO))
    lang = "{http://www.w3.org/XML/1998/namespace}lang"

    def translate(parent):
        children = list(parent)
        for child in children:
            translate(child)
        position = 0
        for child in children:
            position = list(parent).index(child) + 1
            if child.tag not in METAINFO_TAGS or lang in child.attrib:
                continue
            source = normalised(child.text or "")
            for language, texts in catalogues:
                copy = ET.Element(child.tag, {lang: language.replace("_", "-")})
                copy.text = texts[source]
                copy.tail = child.tail
                parent.insert(position, copy)
                position += 1

    translate(tree.getroot())
    ET.indent(tree, space="  ")
    tree.write(out_path, encoding="utf-8", xml_declaration=True)


def nsis(out_path):
    strings = installer_strings()
    lines = ["; Generated by scripts/translations.py from translations/*.ts: do not edit."]
    for language, texts in languages_and_texts(INSTALLER):
        name = NSIS_LANGUAGES[language]
        lines.append(f'!insertmacro MUI_LANGUAGE "{name}"')
        for key, source in strings.items():
            lines.append(f'LangString {key} ${{LANG_{name.upper()}}} "{texts[source]}"')
    # makensis reads a file with a byte order mark as UTF-8.
    with open(out_path, "w", encoding="utf-8-sig") as out:
        out.write("\n".join(lines) + "\n")


def main(argv):
    command = argv[1] if len(argv) > 1 else ""
    if command == "update" and len(argv) == 2:
        update()
    elif command == "check" and len(argv) == 2:
        return check()
    elif command == "pseudo" and len(argv) == 3:
        pseudo(argv[2])
    elif command == "table" and len(argv) == 4:
        table(argv[2], argv[3])
    elif command == "desktop" and len(argv) == 4:
        desktop(argv[2], argv[3])
    elif command == "metainfo" and len(argv) == 4:
        metainfo(argv[2], argv[3])
    elif command == "nsis" and len(argv) == 3:
        nsis(argv[2])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
