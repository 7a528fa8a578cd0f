#include "Program.h"

int main()
{
    return EntryRoutine();
}
