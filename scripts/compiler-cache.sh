# Sourced by the build scripts after setup.sh: compile through ccache, with
# paths taken relative to the checkout so that a fresh clone of the project
# reuses what an earlier one compiled.  CMake reads these when it first
# configures a build folder.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
