#!/bin/sh
# Gives the window's Japanese faces a font that Debian has (VL Gothic, with
# Latin letters too), so that Wine draws no empty boxes for them; and Times
# New Roman the face of the same widths, so that the labels fit their places.
export WINEPREFIX="$1" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
key='HKCU\Software\Wine\Fonts\Replacements'
for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic" "ＭＳ ゴシック" "MS Gothic" "MS Shell Dlg" "Times New Roman"; do
  case "$face" in
    "Times New Roman") font="Liberation Serif" ;;
    *ゴシック|"MS Gothic") font="VL Gothic" ;;
    *) font="VL PGothic" ;;
  esac
  timeout 60 wine reg add "$key" /v "$face" /t REG_SZ /d "$font" /f </dev/null >/dev/null 2>&1
done
