"""graphics.qmx: a non-solid 7z archive (LZMA, one folder per file) of the archive-loaded kinds."""
import os
import subprocess

# Kinds the resource archive serves: sprites and meshes with their textures, font atlases and
# glyphs, collision data. XML tables, scripts and sounds are always read from disk, and so are
# the width tables (.wid): the game looks in the archive first, so a packed table would hide
# every change the font-width editor saves.
ARCHIVE_SUFFIXES = (".x", ".png", ".dds", ".ply", ".pol", ".spg")
FIXED_TIME = 946684800  # 2000-01-01 00:00:00 UTC


def archived(relative_path):
    return relative_path.lower().endswith(ARCHIVE_SUFFIXES)


def fix_times(root):
    """Every file and folder under root gets the same permissions and modification time."""
    for folder, dirs, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            os.chmod(path, 0o644)
            os.utime(path, (FIXED_TIME, FIXED_TIME))
        for name in dirs:
            os.chmod(os.path.join(folder, name), 0o755)
    for folder, dirs, _ in os.walk(root, topdown=False):
        for name in dirs:
            os.utime(os.path.join(folder, name), (FIXED_TIME, FIXED_TIME))


def build(root, relative_paths, archive_name="graphics.qmx", seven_zip="7zz"):
    """Writes root/archive_name holding the given files (relative to root, '/' separated)."""
    members = sorted(p for p in relative_paths if archived(p))
    target = os.path.join(root, archive_name)
    if os.path.exists(target):
        os.remove(target)
    list_file = os.path.join(root, ".archive-list")
    with open(list_file, "w", encoding="utf-8") as handle:
        handle.write("".join(m + "\n" for m in members))
    command = [seven_zip, "a", "-t7z", "-m0=lzma", "-ms=off", "-mtc=off", "-mta=off",
               "-mmt=1", "-bd", "-bso0", "-bsp0", "-scsUTF-8", archive_name, "@.archive-list"]
    try:
        result = subprocess.run(command, cwd=root, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, check=False)
    except FileNotFoundError:
        raise RuntimeError("%s not found: install the 7zip package" % seven_zip)
    finally:
        os.remove(list_file)
    if result.returncode != 0:
        raise RuntimeError("7zz failed (%d): %s" % (result.returncode,
                                                     result.stderr.decode(errors="replace")))
    os.chmod(target, 0o644)
    os.utime(target, (FIXED_TIME, FIXED_TIME))
    return members
