#include "app/form1.h"

void Form1::CProgram_Click() {}
