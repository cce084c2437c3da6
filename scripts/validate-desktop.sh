#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metainfo with the desktop's own validators.
# Any remark of desktop-file-validate counts as a failure, as do appstreamcli's warnings.
set -euo pipefail
cd "$(dirname "$0")/../packaging"
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null ||
    ../scripts/deps.sh validate
remarks=$(desktop-file-validate cz.vlnobrod.Vlnobrod.desktop 2>&1) || true
if [ -n "$remarks" ]; then
    echo "$remarks" >&2
    echo "desktop-file-validate: cz.vlnobrod.Vlnobrod.desktop is not clean" >&2
    exit 1
fi
echo "desktop-file-validate: cz.vlnobrod.Vlnobrod.desktop is clean"
appstreamcli validate --no-net cz.vlnobrod.Vlnobrod.metainfo.xml
