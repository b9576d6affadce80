#pragma once
#define IDI_VELDA 1
