#pragma once

// The program's six windows, created hidden in the order Form1 to Form6; each
// creation can read what the windows before it have set up.
void CreateWindowSet();
void DestroyWindowSet();
