#pragma once

namespace pelk::shell {

// The program's entry: the splash, the log-in screen, the hidden main window, and on a station's
// very first start the set-up wizard. When it returns the program lives on in its open forms.
void Main();

// Makes every store the program keeps that this station lacks (a new station has none); the
// clerk is told of each one that cannot be made.
void makeMissingStores();

}  // namespace pelk::shell
