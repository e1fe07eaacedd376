#!/bin/sh
# Extracts the user-visible texts of the sources and forms into the eight catalogues
# (resources/trans/*.ts). Translations already made are kept; the build compiles the catalogues.
set -eu
cd "$(dirname "$0")/.."
# Only the program's own folders (not build trees, tests or the simulator).
sources="app base media gui"
for lang in zh en ja ko id th ar es; do
  case $lang in
    zh) target=zh_CN ;; en) target=en_US ;; ja) target=ja_JP ;; ko) target=ko_KR ;;
    id) target=id_ID ;; th) target=th_TH ;; ar) target=ar_SA ;; es) target=es_ES ;;
  esac
  lupdate -silent -locations none -no-obsolete -source-language en_US -target-language "$target" \
    -extensions cpp,h,ui $sources -ts "resources/trans/$lang.ts"
done
