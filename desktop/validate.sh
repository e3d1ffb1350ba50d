#!/bin/sh
# Runs the freedesktop validators over the files of this folder:
#   validate.sh --desktop F... --metainfo F... --xml F... --man F...
# A validator that is not installed skips its step with a message. Exit status:
# 1 when any file fails, else 77 (ctest's skip) when any step was skipped, else 0,
# so a run that could not check everything is never reported as a pass.

failed=0
skipped=0
missing=
kind=

fail() {
    echo "FAIL: $*"
    failed=1
}

have() {
    if command -v "$1" >/dev/null 2>&1; then
        return 0
    fi
    case " $missing " in
    *" $1 "*) ;;
    *)
        echo "SKIP: $1 is not installed (Debian package $2); $kind files not checked"
        missing="$missing $1"
        ;;
    esac
    skipped=1
    return 1
}

check_desktop() {
    have desktop-file-validate desktop-file-utils || return
    # Hints stay visible but only errors fail.
    desktop-file-validate "$1" || fail "desktop-file-validate $1"
}

check_metainfo() {
    have appstreamcli appstream || return
    appstreamcli validate --no-net "$1" || fail "appstreamcli validate $1"
}

check_xml() {
    have xmllint libxml2-utils || return
    xmllint --noout "$1" || fail "xmllint $1"
}

check_man() {
    have groff groff-base || return
    # groff reports macro and escape mistakes as warnings with a zero status.
    warnings=$(groff -man -ww -z "$1" 2>&1)
    if [ -n "$warnings" ]; then
        echo "$warnings"
        fail "groff -man -ww $1"
    fi
}

checked=0
for arg in "$@"; do
    case $arg in
    --desktop | --metainfo | --xml | --man)
        kind=${arg#--}
        continue
        ;;
    esac
    if [ -z "$kind" ]; then
        echo "usage: validate.sh --desktop F... --metainfo F... --xml F... --man F..." >&2
        exit 2
    fi
    if [ ! -f "$arg" ]; then
        fail "$arg: no such file"
        continue
    fi
    echo "== $kind: $arg"
    "check_$kind" "$arg"
    checked=$((checked + 1))
done

if [ "$checked" -eq 0 ]; then
    echo "usage: validate.sh --desktop F... --metainfo F... --xml F... --man F..." >&2
    exit 2
fi
if [ "$failed" -ne 0 ]; then
    exit 1
fi
if [ "$skipped" -ne 0 ]; then
    echo "Some validators are missing: apt-get install desktop-file-utils appstream libxml2-utils groff-base"
    exit 77
fi
echo "All $checked files are valid."
