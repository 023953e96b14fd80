"""Unpack and copy benchmarks: the unpack tag against Debian's `unzip`, and
CopyWithProgress against `cp`, each pair in one run on the same disk (the
build tree). The data are made once into build/bench-data/files."""
import os
import random
import shutil
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "build", "bench-data", "files")
MIB = 1024 * 1024
RUNS = 5


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def text_pool(rng, size):
    words = [bytes(rng.choice(b"abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(2, 9)))
             for _ in range(4000)]
    out = bytearray()
    while len(out) < size:
        out += b" ".join(rng.choice(words) for _ in range(64)) + b"\n"
    return bytes(out[:size])


def make_archive():
    """200 MiB of content: one 150 MiB file of mixed data (compressible text
    and random bytes in turn) and 2,000 files of 1 to 50 KiB, zipped by
    Info-ZIP zip."""
    archive = os.path.join(DATA, "unpack200.zip")
    if os.path.exists(archive):
        return archive
    rng = random.Random(200)
    stage = os.path.join(DATA, "unpack-stage")
    shutil.rmtree(stage, ignore_errors=True)
    os.makedirs(stage)
    pool = text_pool(rng, 8 * MIB)
    with open(os.path.join(stage, "big.bin"), "wb") as f:
        for i in range(150):
            if i % 5 in (1, 3):
                f.write(os.urandom(MIB))
            else:
                start = rng.randrange(0, len(pool) - MIB)
                f.write(pool[start:start + MIB])
    for i in range(2000):
        folder = os.path.join(stage, "folder%02d" % (i % 20))
        os.makedirs(folder, exist_ok=True)
        size = rng.randint(1024, 50 * 1024)
        start = rng.randrange(0, len(pool) - size)
        with open(os.path.join(folder, "file%04d.txt" % i), "wb") as f:
            f.write(pool[start:start + size])
    subprocess.run(["zip", "-q", "-r", archive + ".part", "."], cwd=stage, check=True)
    os.replace(archive + ".part", archive)
    shutil.rmtree(stage)
    return archive


def make_big_file():
    path = os.path.join(DATA, "copy1g.bin")
    if os.path.exists(path):
        return path
    block = os.urandom(MIB)
    with open(path + ".part", "wb") as f:
        for i in range(1024):
            f.write(block[i:] + block[:i])
    os.replace(path + ".part", path)
    return path


def fresh(path):
    if os.path.isdir(path):
        shutil.rmtree(path)
    elif os.path.exists(path):
        os.remove(path)
    # Nothing the previous run left in the page cache is written back during
    # the next one.
    subprocess.run(["sync"], check=True)


def timed_ms(command):
    start = time.perf_counter()
    subprocess.run(command, check=True)
    return (time.perf_counter() - start) * 1000.0


def value(rows, measure):
    return next(float(row[2]) for row in rows if row[1] == measure)


def keep_wine_running():
    """A Wine process start brings up the prefix's services, which would
    compete with the run being timed: keep one server and its services up
    for the whole benchmark and let them settle first."""
    env = dict(os.environ, WINEPREFIX=os.environ.get("WINEPREFIX", os.path.join(ROOT, "build", "wineprefix")),
               WINEDEBUG="-all")
    subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix"), env["WINEPREFIX"]], check=True, env=env)
    # Exits at once when a server for the prefix runs already.
    subprocess.run(["/usr/lib/wine/wineserver", "-p", "60"], env=env, capture_output=True)
    subprocess.run([os.path.join(ROOT, "scripts", "wine"), "cmd", "/c", "exit"], env=env, capture_output=True)
    time.sleep(3)


def rows(run_program):
    os.makedirs(DATA, exist_ok=True)
    archive = make_archive()
    big = make_big_file()
    keep_wine_running()
    out = []

    unzip_ms, tag_ms, tag_rows = [], [], []
    for _ in range(RUNS):
        target = os.path.join(DATA, "unzip-out")
        fresh(target)
        unzip_ms.append(timed_ms(["unzip", "-q", "-o", archive, "-d", target]))
        fresh(target)
        target = os.path.join(DATA, "tag-out")
        fresh(target)
        run = run_program("files_bench", "unpack", windows_path(archive), windows_path(target))
        tag_ms.append(value(run, "unpack tag"))
        tag_rows.append(run)
        fresh(target)
    best = tag_rows[tag_ms.index(min(tag_ms))]
    out.append(["unpack 200 MiB", "unzip -q -o", "%.0f" % min(unzip_ms), "ms"])
    out.extend(best)
    out.append(["unpack 200 MiB", "tag / unzip", "%.2f" % (min(tag_ms) / min(unzip_ms)), "x"])
    out.append(["unpack 200 MiB", "peak working set above idle (worst run)",
                "%.1f" % max(value(r, "peak working set above idle") for r in tag_rows), "MiB"])

    # dd moves the bytes through a 4 MiB buffer as CopyWithProgress does; cp
    # copies inside the kernel (copy_file_range). dd shows what the
    # read-and-write method costs on this disk before Wine adds anything.
    cp_ms, dd_ms, copy_ms = [], [], []
    target = os.path.join(DATA, "copy-out.bin")
    for _ in range(RUNS):
        fresh(target)
        cp_ms.append(timed_ms(["cp", big, target]))
        fresh(target)
        dd_ms.append(timed_ms(["dd", "if=" + big, "of=" + target, "bs=4M", "status=none"]))
        fresh(target)
        copy_ms.append(value(run_program("files_bench", "copy", windows_path(big), windows_path(target)),
                             "CopyWithProgress"))
        fresh(target)
    out.append(["copy 1 GiB", "cp", "%.0f" % min(cp_ms), "ms"])
    out.append(["copy 1 GiB", "dd bs=4M (native read and write)", "%.0f" % min(dd_ms), "ms"])
    out.append(["copy 1 GiB", "CopyWithProgress", "%.0f" % min(copy_ms), "ms"])
    out.append(["copy 1 GiB", "dd bs=4M / cp", "%.2f" % (min(dd_ms) / min(cp_ms)), "x"])
    out.append(["copy 1 GiB", "CopyWithProgress / cp", "%.2f" % (min(copy_ms) / min(cp_ms)), "x"])
    return out
