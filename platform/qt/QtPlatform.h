#pragma once

// The Windows fonts the windows name, mapped to free look-alikes where they are missing.
void InstallFontSubstitutes();
