#include "app/form1.h"

void Form1::CmbServo_Click() {}
