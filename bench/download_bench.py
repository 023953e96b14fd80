"""The download benchmark: Debian's nginx serves a 256 MiB file on 127.0.0.1;
curl -o and net_bench (DownloadWithProgress under Wine) fetch it in the same
run to the same disk. Rows: both throughputs and curl's over ours."""
import os
import shutil
import socket
import subprocess
import tempfile
import time

SIZE_MIB = 256
ROUNDS = 3
ENTRY = "download %d MiB" % SIZE_MIB

NGINX_CONF = """daemon off;
master_process off;
worker_processes 1;
pid {prefix}/nginx.pid;
error_log {prefix}/error.log;
events {{ worker_connections 64; }}
http {{
    access_log off;
    sendfile on;
    client_body_temp_path {prefix}/body;
    proxy_temp_path {prefix}/proxy;
    fastcgi_temp_path {prefix}/fastcgi;
    uwsgi_temp_path {prefix}/uwsgi;
    scgi_temp_path {prefix}/scgi;
    server {{
        listen 127.0.0.1:{port};
        root {root};
    }}
}}
"""


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for_port(port, process):
    for _ in range(100):
        if process.poll() is not None:
            raise RuntimeError("nginx ended at start")
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.05)
    raise RuntimeError("nginx did not listen on %d" % port)


def run(run_program, build_dir):
    work = os.path.join(build_dir, "bench-download")
    shutil.rmtree(work, ignore_errors=True)
    root = os.path.join(work, "www")
    out = os.path.join(work, "out")
    for folder in (root, out):
        os.makedirs(folder)
    with open(os.path.join(root, "pkg.bin"), "wb") as f:
        for _ in range(SIZE_MIB):
            f.write(os.urandom(1 << 20))
    nginx = shutil.which("nginx") or "/usr/sbin/nginx"
    port = free_port()
    conf = os.path.join(work, "nginx.conf")
    with open(conf, "w") as f:
        f.write(NGINX_CONF.format(prefix=work, port=port, root=root))
    server = subprocess.Popen([nginx, "-p", work, "-c", conf], stderr=subprocess.DEVNULL)
    try:
        wait_for_port(port, server)
        url = "http://127.0.0.1:%d/pkg.bin" % port
        curl_best = 0.0
        for _ in range(ROUNDS):
            start = time.perf_counter()
            subprocess.run(["curl", "-s", "-o", os.path.join(out, "curl.bin"), url], check=True)
            curl_best = max(curl_best, SIZE_MIB / (time.perf_counter() - start))
        rows = run_program("net_bench", url, "Z:" + os.path.join(out, "ours.bin").replace("/", "\\"), str(ROUNDS))
    finally:
        server.terminate()
        server.wait()
    shutil.rmtree(work, ignore_errors=True)
    ours = next(float(value) for entry, measure, value, unit in rows if measure == "DownloadWithProgress")
    rows.append([ENTRY, "curl -o", "%.1f" % curl_best, "MiB/s"])
    rows.append([ENTRY, "curl / DownloadWithProgress", "%.2f" % (curl_best / ours), "x"])
    return rows
