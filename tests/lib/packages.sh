# Installs the Debian packages named as arguments when any is missing.
need_packages() {
	local missing=()
	for p in "$@"; do
		dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
	done
	[ ${#missing[@]} -eq 0 ] && return 0
	echo "installing: ${missing[*]}"
	if [ "$(id -u)" -ne 0 ]; then
		echo "missing Debian packages and not root: apt-get install ${missing[*]}" >&2
		return 1
	fi
	apt-get update -qq
	DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Everything that building and testing both programs needs.
BUILD_PACKAGES=(cmake make g++ python3 libgtest-dev g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
DESKTOP_PACKAGES=(wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick tesseract-ocr tesseract-ocr-eng
	iproute2 netcat-openbsd procps psmisc)
