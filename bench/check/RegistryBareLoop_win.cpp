// Enumerates the product keys, opens each relative to the open root key, reads "version", closes it.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    const char* rootPath = argc > 1 ? argv[1] : "SOFTWARE\\Component Suite VCL Products";
    const REGSAM access = KEY_READ | KEY_WOW64_32KEY;
    HKEY root = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, rootPath, 0, access, &root) != ERROR_SUCCESS)
        return 1;
    int products = 0;
    char name[256];
    BYTE value[256];
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(root, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY product = nullptr;
        if (RegOpenKeyExA(root, name, 0, access, &product) != ERROR_SUCCESS)
            continue;
        DWORD type = 0;
        DWORD size = sizeof value;
        RegQueryValueExA(product, "version", nullptr, &type, value, &size);
        RegCloseKey(product);
        ++products;
    }
    RegCloseKey(root);
    std::printf("%d\n", products);
    return 0;
}
