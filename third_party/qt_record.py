"""The record that the Qt for Windows keeps of its third-party code, written once when it is built and read
whenever a program's notices are written or checked.

  python3 qt_record.py keep SOURCE BUILD PREFIX DOWNLOAD

`keep` writes PREFIX/share/third-party: Qt's licence texts, Debian's copyright file and the .dsc of the
source (from DOWNLOAD), every qt_attribution.json of SOURCE with the licence files it names, and
objects.tsv.gz, which lists for every object in the installed libraries the attributed source files that went
into it. A library member is named as the linker's map names it, archive(member); an object installed on its
own by its path. The list comes from ninja's dependency log of BUILD, with generated sources (moc's output, a
compiled resource) followed back through the commands that made them to files of SOURCE.

`QtRecord` reads it back. windows-qt puts this file's digest into the name of the Qt's folder, so a changed
writer or reader never meets a record of another making.
"""
import glob
import gzip
import json
import os
import shutil
import subprocess
import sys

KEPT = "share/third-party"


def keep(src, build, prefix, download):
    out = os.path.join(prefix, KEPT)
    os.makedirs(out)

    def copy(relative):
        os.makedirs(os.path.dirname(os.path.join(out, relative)), exist_ok=True)
        shutil.copyfile(os.path.join(src, relative), os.path.join(out, relative))

    for name in os.listdir(os.path.join(src, "LICENSES")):
        copy(os.path.join("LICENSES", name))
    copy("debian/copyright")
    shutil.copyfile(glob.glob(os.path.join(download, "*.dsc"))[0], os.path.join(out, "source.dsc"))

    # Every attribution file but those of tests and examples, which no library holds.
    attributed = set()
    for root, folders, files in os.walk(src):
        folders[:] = sorted(f for f in folders if f not in ("tests", "examples", "debian", ".pc"))
        if "qt_attribution.json" not in files:
            continue
        folder = os.path.relpath(root, src)
        attributed.add(folder)
        copy(os.path.join(folder, "qt_attribution.json"))
        for entry in read_attribution(os.path.join(root, "qt_attribution.json")):
            for name in filter(None, entry.get("LicenseFiles") or [entry.get("LicenseFile")]):
                copy(os.path.normpath(os.path.join(folder, name)))

    rows = Objects(src, build, attributed).installed(prefix)
    if not rows:
        sys.exit("qt_record: no libraries installed")
    text = "".join("\t".join([key, *sorted(rows[key])]) + "\n" for key in sorted(rows))
    with gzip.GzipFile(os.path.join(out, "objects.tsv.gz"), "wb", mtime=0) as f:
        f.write(text.encode())
    print(f"{len(rows)} objects, {sum(1 for r in rows.values() if r)} with attributed sources, "
          f"{len(attributed)} attribution files")


def read_attribution(path):
    with open(path, encoding="utf-8") as f:
        entries = json.loads(f.read(), strict=False)
    return entries if isinstance(entries, list) else [entries]


class Objects:
    """Which attributed source files went into each object of a ninja build of Qt."""

    def __init__(self, src, build, attributed):
        self.src, self.build, self.attributed = src, build, attributed
        self.deps, current = {}, None
        listing = self.ninja("-t", "deps", check=True).stdout
        for line in listing.splitlines():
            if not line.startswith(" ") and ": #deps" in line:
                current = self.deps.setdefault(self.built_path(line.split(": #deps")[0]), set())
            elif line.strip() and current is not None:
                current.add(self.built_path(line.strip()))
        self.made_from = {}
        pending = {d for ds in self.deps.values() for d in ds if d.startswith(build + "/")}
        while pending:
            self.made_from.update(self.query(sorted(pending)))
            pending = {i for inputs in self.made_from.values() for i in inputs
                       if i.startswith(build + "/") and i not in self.made_from} - set(self.made_from)

    def ninja(self, *arguments, check=False):
        return subprocess.run(["ninja", "-C", self.build, *arguments], capture_output=True, text=True, check=check)

    def built_path(self, path):
        return os.path.normpath(os.path.join(self.build, path))

    def ninja_name(self, path):
        """Ninja knows the files in its build folder by their relative path."""
        return os.path.relpath(path, self.build) if path.startswith(self.build + "/") else path

    def query(self, targets):
        """For each target, the explicit and implicit inputs of the command that makes it."""
        found = {}
        for start in range(0, len(targets), 200):
            chunk = targets[start:start + 200]
            done = self.ninja("-t", "query", *map(self.ninja_name, chunk))
            if done.returncode != 0 and len(chunk) > 1:
                # A file that no command makes (one CMake wrote while configuring) is unknown to ninja.
                for target in chunk:
                    found.update(self.query([target]))
                continue
            listing = done.stdout if done.returncode == 0 else ""
            target, section = None, None
            for line in listing.splitlines():
                if not line.startswith(" "):
                    target, section = self.built_path(line.rstrip(":")), None
                    found[target] = set()
                elif line.startswith("  ") and not line.startswith("    "):
                    section = line.split(":")[0].strip()
                elif section == "input" and not line.strip().startswith("||"):
                    found[target].add(self.built_path(line.strip().lstrip("| ")))
        return found

    def under_attribution(self, relative):
        folder = os.path.dirname(relative)
        while folder:
            if folder in self.attributed:
                return True
            folder = os.path.dirname(folder)
        return False

    def attributed_sources(self, obj):
        seen, todo, found = set(), list(self.deps.get(obj, ())), set()
        while todo:
            path = todo.pop()
            if path in seen:
                continue
            seen.add(path)
            relative = os.path.relpath(path, self.src)
            if path.startswith(self.build + "/"):
                todo += [*self.made_from.get(path, ()), *self.deps.get(path, ())]
            elif not relative.startswith("..") and self.under_attribution(relative):
                found.add(relative)
        return found

    def installed(self, prefix):
        rows = {}
        for root, _, files in os.walk(prefix):
            for name in files:
                installed = os.path.relpath(os.path.join(root, name), prefix)
                if name.endswith(".a"):
                    for obj in sorted(self.query([installed])[self.built_path(installed)]):
                        if not obj.endswith(".obj"):
                            continue
                        if obj not in self.deps:
                            sys.exit(f"qt_record: no dependency list for {obj} in {installed}")
                        key = f"{installed}({os.path.basename(obj)})"
                        rows.setdefault(key, set()).update(self.attributed_sources(obj))
                elif name.endswith(".obj"):
                    # objects-<config>/<target>/<path in the target's folder>
                    parts = installed.split("/")
                    at = next(i for i, part in enumerate(parts) if part.startswith("objects-"))
                    suffix = f"/CMakeFiles/{parts[at + 1]}.dir/{'/'.join(parts[at + 2:])}"
                    built = [obj for obj in self.deps if obj.endswith(suffix)]
                    if len(built) != 1:
                        sys.exit(f"qt_record: {installed} is not one built object: {built}")
                    rows[installed] = self.attributed_sources(built[0])
        return rows


class QtRecord:
    """A Qt built by third_party/windows-qt, with what it keeps of its source's attributions."""

    def __init__(self, prefix):
        self.prefix = os.path.realpath(prefix)
        self.kept = os.path.join(self.prefix, KEPT)
        if not os.path.isfile(os.path.join(self.kept, "objects.tsv.gz")):
            sys.exit(f"qt_record: {self.kept} holds no objects.tsv.gz: this Qt was not built by "
                     "third_party/windows-qt")
        with gzip.open(os.path.join(self.kept, "objects.tsv.gz"), "rt", encoding="utf-8") as f:
            self.sources = {row[0]: row[1:] for row in (line.rstrip("\n").split("\t") for line in f)}
        self.attributions = []
        for root, _, files in sorted(os.walk(self.kept)):
            if "qt_attribution.json" in files:
                folder = os.path.relpath(root, self.kept)
                self.attributions += [(folder, e) for e in read_attribution(os.path.join(root, "qt_attribution.json"))]
        # Read by Debian's own parser, imported here: `keep` runs under whichever Python builds Qt.
        from debian.deb822 import Deb822, Dsc
        with open(os.path.join(self.kept, "source.dsc"), encoding="utf-8") as f:
            self.dsc = Dsc(f)
        with open(os.path.join(self.kept, "debian/copyright"), encoding="utf-8") as f:
            self.copyright = next(p for p in Deb822.iter_paragraphs(f) if p.get("Files") == "*")

    def read(self, relative):
        with open(os.path.join(self.kept, relative), encoding="utf-8") as f:
            return f.read()

    def key(self, path):
        """How objects.tsv names a path of a linker's map, or None when the path is not in this Qt."""
        if not path.startswith(self.prefix + "/"):
            return None
        return path[len(self.prefix) + 1:]

    def sources_of(self, key):
        if key not in self.sources:
            sys.exit(f"qt_record: {key} is in the program but not in {self.kept}/objects.tsv.gz")
        return self.sources[key]


if __name__ == "__main__":
    if len(sys.argv) != 6 or sys.argv[1] != "keep":
        sys.exit(__doc__.split("\n\n")[1])
    keep(*sys.argv[2:])
