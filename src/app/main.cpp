// Placeholder entry point until the shell lands; replaced by the shell's own.
int main() { return 0; }
