#!/bin/sh
# Runs a validator on a shipped file; skips when the validator is not installed.
# Usage: validate.sh TOOL [ARGUMENT...] FILE
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed; tools/install-deps.sh installs it"
    exit 77
fi
exec "$@"
