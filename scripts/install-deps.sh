#!/bin/sh
# Installs, from Debian 12's packages, whatever the build, the program and its tests need and
# this machine lacks. Installs nothing when everything is there.
set -eu
PACKAGES="
build-essential cmake ninja-build pkg-config
qtbase5-dev qttools5-dev qttools5-dev-tools libfontconfig-dev qttranslations5-l10n
libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
libvlc-dev libvlccore-dev vlc-plugin-base vlc-plugin-video-output
libgl1-mesa-dri
libopencv-core-dev libopencv-imgproc-dev libopencv-imgcodecs-dev libopencv-dnn-dev
libopencv-features2d-dev libopencv-calib3d-dev libopencv-video-dev
fonts-noto-cjk fonts-thai-tlwg fonts-noto-core
xvfb xauth
iputils-ping iproute2 util-linux
ffmpeg
gstreamer1.0-rtsp gir1.2-gst-rtsp-server-1.0 python3-gi
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-plugins-bad
gstreamer1.0-libav
python3-onnx python3-numpy
clang libclang-rt-14-dev
"
missing=""
for p in $PACKAGES; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $p" ;;
  esac
done
if [ -z "$missing" ]; then
  echo "install-deps: everything is installed"
  exit 0
fi
echo "install-deps: installing:$missing"
if [ "$(id -u)" != 0 ]; then
  echo "install-deps: run as root (apt-get needs it)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing
