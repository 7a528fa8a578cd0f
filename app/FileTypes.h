// The three document types registered at every start and withdrawn at exit.
#pragma once

#include "rt/Files.h"

namespace FileTypes {

extern rt::Ref<rt::FileType> pPizi;
extern rt::Ref<rt::FileType> pTodolo;
extern rt::Ref<rt::FileType> pAbcd;

void Initialize();
// Module finalisation: releases the three, in order, each withdrawing itself.
void Release();

} // namespace FileTypes
