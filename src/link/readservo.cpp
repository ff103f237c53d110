#include "app/form1.h"

int Form1::Chk_Servo(int) { return 0; }
int Form1::read_Servo() { return 0; }
