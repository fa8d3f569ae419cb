/* A stand-in for the server's program in the end-to-end checks under Wine: notes that it ran, in a
 * file "started" beside itself. */
#include <windows.h>
#include <stdio.h>
#include <string.h>
int main(void) {
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    strcpy(strrchr(path, '\\') + 1, "started");
    FILE* f = fopen(path, "w");
    if (f) fclose(f);
    return 0;
}
