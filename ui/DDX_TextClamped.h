// Data exchange of an integer edit held within bounds.
#pragma once

class CDataExchange;

// Reading takes the edit's leading decimal number (0 without one) into [nMin, nMax]; writing first pulls the
// member itself into the bounds, then shows it, touching the edit only when its text differs; assistive technology
// learns the bounds.
void DDX_TextClamped(CDataExchange* pDX, int nIDC, int& value, int nMin, int nMax);
