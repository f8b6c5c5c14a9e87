#include <cstdio>

int main()
{
    std::puts("tallyhand-cli");
    return 0;
}
