# Sourced by wine.sh: the wineserver's own request log (+server) while each
# Windows program starts and ticks. Every call a program makes to the server (a paint, a
# timer, a file opened) is one request; counting those of the program's own
# threads over whole seconds of ticking gives a figure that other work on the
# machine does not change, unlike times. Appends to $BENCH_DATA:
#   steady.tsv    config program requests_per_tick value
#                 config program requests_to_first_paint value
#   requests.tsv  config program request per_tick   (every request name)
# Needs WINEPREFIX (booted), BENCH_CONFIG; BENCH_REQUEST_SECONDS (default 10).

count_requests() {  # NAME EXE
    local name=$1 exe=$2 log pid server span=${BENCH_REQUEST_SECONDS:-10} from to
    log=$(mktemp)
    wineserver -k 2>/dev/null || true
    sleep 2  # (wineserver -w would start a server of its own when none runs)
    # The server traces the requests of the processes that ask for it.
    wineserver -f -p 2>"$log" &
    server=$!
    sleep 1
    WINEDEBUG=+server wine "$exe" >"$log.client" 2>&1 &
    pid=$!
    sleep 4  # past the start and the first ticks
    from=$(wc -l <"$log")
    sleep "$span"
    to=$(wc -l <"$log")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    python3 - "$log" "$from" "$to" "$span" "$BENCH_CONFIG" "$name" "$BENCH_DATA" <<'PY'
import collections, re, sys
log, start, end, span, config, name, data = sys.argv[1:]
lines = open(log, errors="replace").read().splitlines()
# Only processes started with +server are traced: the program, and what it
# starts (Wine's services). The program's process is the first to start.
starts = [m.groups() for m in (re.match(r"^([0-9a-f]{4}): init_(?:first_)?thread\(\) = 0 \{ pid=([0-9a-f]+),", l)
                               for l in lines) if m]
threads = {tid for tid, p in starts if starts and p == starts[0][1]}
requests = [(i, m.group(2)) for i, m in enumerate(re.match(r"^([0-9a-f]{4}): (\w+)\( ", l)
                                                     for l in lines)  # replies read "name() = "
            if m and m.group(1) in threads]
counts = collections.Counter(r for i, r in requests if int(start) <= i < int(end))
# Start-up as a count: every request up to the first BeginPaint (which hides the caret).
first_paint = next((n for n, (i, r) in enumerate(requests) if r == "set_caret_info"), None)
span = float(span)
with open(f"{data}/steady.tsv", "a") as f:
    f.write(f"{config}\t{name}\trequests_per_tick\t{sum(counts.values()) / span:.1f}\n")
    if first_paint is not None:
        f.write(f"{config}\t{name}\trequests_to_first_paint\t{first_paint}\n")
with open(f"{data}/requests.tsv", "a") as f:
    for request, n in counts.most_common():
        f.write(f"{config}\t{name}\t{request}\t{n / span:.1f}\n")
if not threads:
    print(f"bench: {name}: no thread of the program in the server's log", file=sys.stderr)
PY
    rm -f "$log" "$log.client"
}
