#include <cstdio>

int main()
{
    std::puts("quorin-batch: not yet available");
    return 2;
}
