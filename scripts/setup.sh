#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, but only those
# that are missing, so that a second run does nothing and needs no network.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  # The format check of test.sh; ccache keeps compiled objects between runs
  # on the same machine.
  clang-format ccache
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  # Exact values (rationals, roots, LaTeX): GiNaC on CLN.
  libginac-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-liberation
  # The fuzz build: clang, and the runtimes of libFuzzer and of clang's
  # sanitizers, which the clang packages only recommend (and recommends are
  # not installed).
  clang libclang-rt-14-dev
  # The graphic output tests read the metafiles back with wmf2svg and wmf2gd
  # and measure the printed PDF pages with pdfinfo and pdftoppm.
  # libwmf finds its fonts only in fonts-urw-base35, which it merely recommends.
  libwmf-bin fonts-urw-base35 poppler-utils
  # The output comparison reads every picture format back with the program a
  # school computer opens it with: librsvg for SVG, LibreOffice (Draw, run
  # headless) for the metafiles; pdftohtml and pdftotext of poppler-utils
  # measure the true-scale PDF.
  librsvg2-bin libreoffice-draw
  # The TikZ export is compiled with pdflatex in its tests.
  texlive-latex-base texlive-pictures
  # Latin Modern: the T1 fonts at any size, so that the labels keep the
  # scene's relative sizes when the file compiles on its own.
  lmodern
  # The install test checks the desktop entry, the AppStream file and the
  # file type with the tools of the desktop; the Debian package is built by
  # CPack, whose dependencies dpkg-shlibdeps finds, and checked by lintian.
  desktop-file-utils appstream shared-mime-info dpkg-dev lintian
)

. "$(dirname "${BASH_SOURCE[0]}")/pakete.sh"
fehlende_pakete_installieren "${packages[@]}"
