#pragma once

// The six windows. Each exists once and is created, hidden, the first time it is
// used; the program hides rather than destroys them, so their controls keep what the
// player set. Form3 is the exception: its close box destroys it, and the next use
// creates it afresh.

namespace board {
class Form5;
}

namespace ui {

class Form1;
class Form2;
class Form3;
class Form4;
class Form6;

Form1 &form1();
Form2 &form2();
Form3 &form3();
Form4 &form4();
board::Form5 &form5();
Form6 &form6();

// Whether a window has been created (and not destroyed) yet.
bool form2Exists();
bool form3Exists();
bool form6Exists();

// Connects the game's rules to these windows (engine::connectWindows) and their
// controls to assistive technology; the program calls it once before engine::Main.
void connectGameToWindows();

// Destroys every window and connects the game's rules to them afresh; tests call
// it between cases together with engine::resetGame().
void destroyForms();

} // namespace ui
