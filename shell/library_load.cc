// Compiled into liblogview.so only.
