#!/bin/sh
# Validates every workflow of the hosted runners against the workflow
# schema, with the validator scripts/install-workflow-validator puts into
# the toolchain cache: these workflows cannot run here, so this is what
# keeps them well-formed. Usage: check_workflows.sh WORKFLOW_DIR
set -eu
dir="$1"
cache="${DORVANE_TOOLCHAIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dorvane}"
validator="${DORVANE_WORKFLOW_VALIDATOR:-$cache/action-validator-0.6.0/node_modules/.bin/action-validator}"
if [ ! -x "$validator" ]; then
    echo "no workflow validator at $validator; run scripts/install-workflow-validator (scripts/install-deps all runs it)" >&2
    exit 1
fi
checked=0
for workflow in "$dir"/*.yml; do
    [ -f "$workflow" ] || continue
    "$validator" "$workflow" || { echo "$workflow: not a valid workflow" >&2; exit 1; }
    checked=$((checked + 1))
done
[ "$checked" -gt 0 ] || { echo "no workflow in $dir" >&2; exit 1; }
echo "workflows valid: $checked"
