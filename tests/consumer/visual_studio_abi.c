/* A program of Visual Studio's ABI that uses the mingw-w64 DLL through its import library. It
 * needs no C runtime, so that it links here with clang and lld-link: it prints the MicPermission
 * pill through kernel32 alone, and exits 0 when that pill came back. */
#include <orv/pill_c.h>

__declspec(dllimport) void* __stdcall GetStdHandle(unsigned long which);
__declspec(dllimport) int __stdcall WriteFile(void* file, const void* bytes, unsigned long size,
                                              unsigned long* written, void* overlapped);
__declspec(dllimport) void __stdcall ExitProcess(unsigned int status);

static void print(const char* text, size_t size) {
    unsigned long written = 0;
    WriteFile(GetStdHandle((unsigned long)-11), text, (unsigned long)size, &written, 0);
}

void start(void) {
    orv_fail_pill_view pill;
    if (orv_select_fail_pill(1, "permission_denied", 17, 0, 0, 1, &pill) != ORV_PILL_SELECTED) {
        ExitProcess(1);
    }
    print(pill.message, pill.message_size);
    print(" [", 2);
    print(pill.action_label, pill.action_label_size);
    print(" -> ", 4);
    print(pill.deep_link, pill.deep_link_size);
    print("]\r\n", 3);
    ExitProcess(0);
}
