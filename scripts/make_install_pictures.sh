#!/bin/sh
# Draws the installation position dialog's pictures into resources/images with Qt's painter
# (Debian's Qt 5 and fonts-dejavu-core, fonts-noto-cjk for the Chinese words).
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -fPIC -o "$work/install_pictures" scripts/install_pictures.cpp $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/install_pictures" resources/images
