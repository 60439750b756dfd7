# Sourced by the scripts that start the program: the environment it gets is a home and folders of the test's
# own plus what the caller passes, never the caller's (no QT_QPA_PLATFORM, DISPLAY or XDG_* of the runner's);
# only the search path and the sanitizers' settings pass through.
# Usage: program_env WORK_FOLDER NAME=value... COMMAND...
program_env() {
    local work=$1
    shift
    mkdir -p "$work/home" "$work/config"
    mkdir -p -m 700 "$work/runtime"
    local keep=()
    local name
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        if [ -n "${!name+set}" ]; then keep+=("$name=${!name}"); fi
    done
    env -i PATH="$PATH" LANG=C.UTF-8 HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work/runtime" "${keep[@]}" "$@"
}
