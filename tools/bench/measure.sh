# Sourced by the per-display scripts: launches programs under xwatch and
# appends what it measured to the TSV files in $BENCH_DATA.
#   startup.tsv  config program round mapped_ms painted_ms
#   steady.tsv   config program key value
#   ticks.tsv    config program phase second first_ms|skip last_ms|skip
# Needs BENCH_CONFIG (a label for this display), BENCH_N, BENCH_IDLE, XWATCH.

programs=()   # names, in launch order
declare -A commands=()

# add_program NAME COMMAND [ARGS...]
add_program() {
    local name=$1
    shift
    programs+=("$name")
    commands[$name]=$(printf '%q ' "$@")
}

# One launch: prints "mapped_ms painted_ms", or nothing if the window never showed.
launch_once() {
    eval "set -- ${commands[$1]}"
    "$XWATCH" -- "$@" | awk '/^mapped/ {m=$2} /^painted/ {p=$2} /^error/ {print "xwatch: " $0 > "/dev/stderr"}
        END {if (p != "") print m, p}'
}

# N rounds of launches, the programs taking turns so that a slow spell of the
# machine hits them all alike; one round first to warm the disk cache, not counted.
startup_rounds() {
    local round name times
    for round in $(seq 0 "$BENCH_N"); do
        for name in "${programs[@]}"; do
            times=$(launch_once "$name") || true
            [ "$round" -eq 0 ] && continue
            if [ -n "$times" ]; then
                printf '%s\t%s\t%s\t%s\n' "$BENCH_CONFIG" "$name" "$round" "${times// /$'\t'}" \
                    >>"$BENCH_DATA/startup.tsv"
            else
                echo "bench: $name did not show a painted window (round $round)" >&2
            fi
        done
    done
}

# CPU clock ticks (utime+stime), CPU ns of every thread (schedstat: the
# ticks are 10 ms coarse, far too coarse for a clock that sleeps), context
# switches of every thread, write_bytes, wchar.
proc_counters() {
    local pid=$1 stat
    stat=$(cat "/proc/$pid/stat") || return 1
    stat=${stat##*) }   # the command name may hold spaces
    read -r -a f <<<"$stat"
    echo "$((f[11] + f[12]))" \
        "$(cat /proc/"$pid"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns}')" \
        "$(cat /proc/"$pid"/task/*/status | awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {n += $2} END {print n}')" \
        "$(awk '/^write_bytes/ {w=$2} /^wchar/ {c=$2} END {print w, c}' "/proc/$pid/io")"
}

hogs=()
start_hogs() {
    local i
    for i in $(seq "$(nproc)"); do
        bash -c 'while :; do :; done' &
        hogs+=($!)
    done
}
stop_hogs() {
    [ ${#hogs[@]} -gt 0 ] || return 0
    kill "${hogs[@]}" 2>/dev/null || true
    wait "${hogs[@]}" 2>/dev/null || true
    hogs=()
}

# The /proc figures of the idle phase, from the counters at its start.
record_idle() {
    local name=$1 pid=$2 before=$3 hz c0 n0 s0 w0 x0 c1 n1 s1 w1 x1
    hz=$(getconf CLK_TCK)
    read -r c0 n0 s0 w0 x0 <<<"$before"
    read -r c1 n1 s1 w1 x1 <<<"$(proc_counters "$pid")" || return 0
    {
        awk -v c="$((c1 - c0))" -v n="$((n1 - n0))" -v s="$((s1 - s0))" -v hz="$hz" -v t="$BENCH_IDLE" 'BEGIN {
            printf "cpu_ms_per_min\t%.1f\nsched_ms_per_min\t%.1f\nwakeups_per_min\t%.1f\n",
                c * 1000 / hz * 60 / t, n / 1e6 * 60 / t, s * 60 / t }'
        printf 'write_bytes\t%s\nwchar\t%s\n' "$((w1 - w0))" "$((x1 - x0))"
        # Private_Clean holds library pages no other process maps right now,
        # so it depends on what else runs; Private_Dirty is the program's own.
        awk '/^Rss:/ {r=$2} /^Private_(Clean|Dirty):/ {p+=$2} /^Private_Dirty:/ {d=$2}
            END {printf "rss_kb\t%d\nprivate_kb\t%d\nprivate_dirty_kb\t%d\n", r, p, d}' \
            "/proc/$pid/smaps_rollup"
        # Other work on the machine during the phase, as the 1-minute load average.
        printf 'load1\t%s\n' "$(cut -d' ' -f1 /proc/loadavg)"
    } | sed "s/^/$BENCH_CONFIG\t$name\t/" >>"$BENCH_DATA/steady.tsv"
}

# One long launch: an idle phase (ticks and /proc counters) and a phase with
# every core kept busy (ticks only).
steady_run() {
    local name=$1 key value phase pid="" before="" ticks
    ticks=$(mktemp)
    eval "set -- ${commands[$name]}"
    while read -r key value; do
        phase=${value%% *}
        case $key in
        pid) pid=$value ;;
        phase) [ "$phase" = busy ] && start_hogs ;;
        begin) [ "$phase" = idle ] && before=$(proc_counters "$pid") ;;
        end)
            [ "$phase" = idle ] && [ -n "$before" ] && record_idle "$name" "$pid" "$before"
            [ "$phase" = busy ] && stop_hogs
            # "end idle changes=C draws=D": window changes and drawings in the phase
            for kv in ${value#* }; do
                printf '%s\t%s\t%s_%s\t%s\n' "$BENCH_CONFIG" "$name" "${kv%%=*}" "$phase" "${kv#*=}"
            done >>"$BENCH_DATA/steady.tsv"
            ;;
        error) echo "bench: $name: $value" >&2 ;;
        note) echo "bench: $value" >&2 ;;
        esac
    done < <("$XWATCH" -o "$ticks" -s 3 -p "idle:$BENCH_IDLE" -p "busy:$BENCH_IDLE" -- "$@")
    stop_hogs
    sed "s/^/$BENCH_CONFIG\t$name\t/" "$ticks" >>"$BENCH_DATA/ticks.tsv"
    rm -f "$ticks"
}

measure_all() {
    local name holder
    # Without a window manager the program and xwatch may be the display's
    # only clients; when both leave, Xvfb resets and refuses the next one for
    # a moment. A silent client keeps it up.
    xprop -root -spy >/dev/null 2>&1 &
    holder=$!
    startup_rounds
    for name in "${programs[@]}"; do
        echo "bench: $BENCH_CONFIG: $name, ${BENCH_IDLE}s idle then ${BENCH_IDLE}s with every core busy" >&2
        steady_run "$name"
    done
    kill "$holder"
}
