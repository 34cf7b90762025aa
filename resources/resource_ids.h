// Resource identifiers shared by the resource script and the code. Plain defines: windres reads
// this file too.
#pragma once

#define IDI_MIREL 1       // the application icon (clock, calendar, executable)
#define IDI_ARROW_PREV 2  // 16x16 left-pointing arrow of the calendar's picPrev
#define IDI_ARROW_NEXT 3  // 16x16 right-pointing arrow of the calendar's picNext
