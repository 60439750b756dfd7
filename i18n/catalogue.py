#!/usr/bin/env python3
"""The game's catalogues of words, one Qt Linguist file a language (i18n/pairfinder_<language>.ts), kept by
Qt's own lupdate from the texts the code marks (QT_TRANSLATE_NOOP, QT_TRANSLATE_N_NOOP and translate() calls, all
in the one context "Pairfinder"), and the words of the pictures, which the drawings name in their <title>.

Usage: catalogue.py update BUILD_DIR  lupdate every catalogue from the sources and the pictures' table the build
                                      wrote from the drawings; German's new texts are its own words
       catalogue.py check BUILD_DIR   fails when a text the program shows has no entry, an entry is left that
                                      nothing shows, an entry of a catalogue is unfinished, German's words are not
                                      the texts themselves, or a translation drops a %1 or %n of its text
       catalogue.py page LANGUAGE OUT the catalogue as the page reads it: JSON of {source: translation or
                                      [forms]} with the language's name and its numbers' forms' order

A translator who adds a language copies pairfinder_en.ts to pairfinder_<language>.ts, sets its language
attribute, translates every message (with Qt Linguist or any editor) and lists the language in LANGUAGES below.
"""
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE.parent
LUPDATE = shutil.which("lupdate", path="/usr/lib/qt6/bin") or "lupdate"
LRELEASE = shutil.which("lrelease", path="/usr/lib/qt6/bin") or "lrelease"
# What the code is read for: every folder whose texts a player reads or hears.
FOLDERS = ("game", "layout", "deck", "store", "ui", "app", "web")
# Each language in its own name, as the menu Ansicht > Sprache lists it; German first, the catalogues' source.
LANGUAGES = {"de": "Deutsch", "en": "English"}
# The order of a language's forms for numbers in its catalogue (Qt's, which CLDR's categories give).
NUMBER_FORMS = {"de": ["one", "other"], "en": ["one", "other"]}


def catalogue(language):
    return HERE / f"pairfinder_{language}.ts"


def lupdate(folders, catalogues, language_of):
    for path in catalogues:
        subprocess.run([LUPDATE, *map(str, folders), "-locations", "none", "-no-obsolete",
                        "-source-language", "de", "-target-language", language_of(path), "-ts", str(path)],
                       cwd=SOURCE, check=True, stdout=subprocess.DEVNULL)


def messages(path):
    """Every message of a catalogue: (source, what tells it apart, numerus) to (translation or forms, finished)."""
    root = ElementTree.parse(path).getroot()
    found = {}
    for message in root.iter("message"):
        source = message.findtext("source")
        apart = message.findtext("comment") or ""
        numerus = message.get("numerus") == "yes"
        translation = message.find("translation")
        finished = translation.get("type") not in ("unfinished", "vanished", "obsolete")
        value = [form.text or "" for form in translation.iter("numerusform")] if numerus else translation.text or ""
        found[(source, apart, numerus)] = (value, finished)
    return found


def german_as_itself(path):
    """German's texts are its own words: every text that takes no number is translated as it is written."""
    tree = ElementTree.parse(path)
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        if message.get("numerus") != "yes" and translation.get("type") == "unfinished" and not translation.text:
            translation.text = message.findtext("source")
            del translation.attrib["type"]
    tree.write(path, encoding="utf-8", xml_declaration=True)
    text = path.read_text(encoding="utf-8").replace("<?xml version='1.0' encoding='utf-8'?>",
                                                    '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>')
    path.write_text(text if text.endswith("\n") else text + "\n", encoding="utf-8")


def sources(build):
    """The folders read, and the pictures' table the build wrote with every drawing's name marked."""
    table = pathlib.Path(build).resolve() / "assets" / "generated" / "picture_words.h"
    if not table.is_file():
        sys.exit(f"catalogue: {table} is missing: configure a build there first")
    files = sorted(path.relative_to(SOURCE) for folder in FOLDERS for pattern in ("*.cpp", "*.h")
                   for path in (SOURCE / folder).rglob(pattern))
    return [*files, table]


def update(build):
    every = [catalogue(language) for language in LANGUAGES]
    lupdate(sources(build), every, lambda path: path.stem.split("_")[1])
    german_as_itself(catalogue("de"))
    # Written once more by lupdate, in its own layout, so that a translator's diff shows only what changed.
    lupdate(sources(build), [catalogue("de")], lambda path: "de")


def placeholders(text):
    return sorted(set(re.findall(r"%(?:[1-9]|n)", text)))


def check(build):
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        fresh = {}
        for language in LANGUAGES:
            copy = pathlib.Path(scratch) / catalogue(language).name
            shutil.copy(catalogue(language), copy)
            lupdate(sources(build), [copy], lambda path, language=language: language)
            fresh[language] = set(messages(copy))
    for language in LANGUAGES:
        kept = messages(catalogue(language))
        new = fresh[language] - set(kept)
        gone = set(kept) - fresh[language]
        failures += [f"{language}: no entry for the text {source!r} (run i18n/catalogue.py update BUILD)"
                     for source, _, _ in sorted(new)]
        failures += [f"{language}: an entry {source!r} that nothing shows any more" for source, _, _ in sorted(gone)]
        for (source, _, numerus), (value, finished) in kept.items():
            forms = value if numerus else [value]
            if not finished or not all(forms):
                failures.append(f"{language}: {source!r} is not translated")
                continue
            if numerus and len(forms) != len(NUMBER_FORMS[language]):
                failures.append(f"{language}: {source!r} has {len(forms)} forms, not {len(NUMBER_FORMS[language])}")
            for form in forms:
                if placeholders(form) != placeholders(source):
                    failures.append(f"{language}: {form!r} does not keep the places of {source!r}")
            if language == "de" and not numerus and value != source:
                failures.append(f"de: {source!r} reads {value!r} in German, not as it is written")
            if language == "de" and numerus and forms[-1] != source:
                failures.append(f"de: the last German form of {source!r} is {forms[-1]!r}, not the text itself")
        # lrelease's own report: it must compile every message, none unfinished.
        report = subprocess.run([LRELEASE, str(catalogue(language)), "-qm", os.devnull], capture_output=True,
                                text=True, check=True).stdout
        if not re.search(r"\(\d+ finished and 0 unfinished\)", report):
            failures.append(f"{language}: lrelease reports unfinished messages: {report.strip()}")
    if failures:
        sys.exit("FAIL: " + "\n      ".join(failures))
    print(f"the catalogues of {', '.join(LANGUAGES)} hold every text the code marks, each finished, German's as "
          f"written ({len(messages(catalogue('de')))} messages)")


def page(language, out):
    words = {}
    for (source, apart, _), (value, _) in messages(catalogue(language)).items():
        words[source + ("\u0004" + apart if apart else "")] = value
    pathlib.Path(out).write_text(json.dumps({"language": language, "name": LANGUAGES[language],
                                             "forms": NUMBER_FORMS[language], "words": words},
                                            ensure_ascii=False, separators=(",", ":")), encoding="utf-8")


def main():
    if len(sys.argv) == 3 and sys.argv[1] in ("update", "check"):
        (update if sys.argv[1] == "update" else check)(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "page":
        page(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
