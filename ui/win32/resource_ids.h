/* SPDX-License-Identifier: MIT */
/* Resource numbers, shared by the resource script and the code. */
#pragma once

#define QUORVEL_ICON 1
