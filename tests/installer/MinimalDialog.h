#pragma once
#define IDD_MINIMAL 100
#define IDC_MINIMAL_TEXT 101
