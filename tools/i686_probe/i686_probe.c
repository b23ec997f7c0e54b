/* Runs no code of its own: it only has to start. Where a machine cannot run
   32-bit x86 code in a 64-bit process, Wine's WoW64 build kills every i686
   program before its first instruction, and scripts/test and scripts/run
   learn that from this one, built as i686_probe, once its x86_64 build
   (x86_64_probe) has shown that the same Wine runs 64-bit programs
   (scripts/lib/wow64-root.sh). */
int main(void) { return 0; }
