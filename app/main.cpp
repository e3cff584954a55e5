#include <cstdio>
int main() { std::puts("Kalvo"); return 0; }
