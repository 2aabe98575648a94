/* Exported entry of the engine library QUVEX2014_DLL.
 * IQUVEX(9) reads names.dat in the current folder, runs one analysis and
 * returns 0 when it went through all its steps, 1 otherwise. Any other code
 * returns 1 and reads and writes nothing. _IQUVEX is the same function. */
#ifndef QUVEX_IQUVEX_H
#define QUVEX_IQUVEX_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

int32_t IQUVEX(int32_t code);
int32_t _IQUVEX(int32_t code);

#ifdef __cplusplus
}
#endif

#endif
