#!/usr/bin/env bash
# Rebuilds the demo catalogue and its two cover pictures in examples/.
# Usage: tools/make-demo.sh [BUILD_DIR]   (BUILD_DIR defaults to build; mcb-democat must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mkdir -p examples
"$build/tools/mcb-democat" examples/demo.cbf
cover() { # file, gradient, point size, title
    convert -size 120x160 "gradient:$2" -font DejaVu-Sans-Bold -pointsize "$3" -fill white -gravity center \
        -annotate 0 "$4" -strip -quality 85 "examples/$1"
}
cover stalker.jpg '#c8b060-#2f4f2f' 16 'СТАЛКЕР'
cover dark-side.jpg '#3b1f6e-#000000' 13 $'DARK SIDE\nOF THE MOON'
