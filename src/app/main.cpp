#include <cstdio>

int main()
{
    std::printf("Lockwell version %s\n", LOCKWELL_VERSION);
    return 0;
}
