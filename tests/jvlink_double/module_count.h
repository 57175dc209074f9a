// How many objects and server locks keep the double's DLL loaded.
#pragma once

namespace tw::test {

void LockModule();
void UnlockModule();

}  // namespace tw::test
