# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings are errors on our own targets only; third-party headers come in as SYSTEM.
add_library(sw_warnings INTERFACE)
target_compile_options(sw_warnings INTERFACE -Wall -Wextra -Werror)
