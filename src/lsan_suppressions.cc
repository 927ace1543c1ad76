// Leaks inside libraries, not ours (each checked with a small program
// making the same calls), so that the sanitizer and fuzz runs report only
// our own. Linked into every sanitized program, test program and fuzz target.
extern "C" const char* __lsan_default_suppressions() {
    return
        // fontconfig 2.14 (Debian 12) loses 288 bytes on its first font match, however the caller frees.
        "leak:libfontconfig.so\n"
        // libsndfile 1.2 keeps the Vorbis stream info of an Ogg file it then refuses to open.
        "leak:vorbis_info_init\n";
}
