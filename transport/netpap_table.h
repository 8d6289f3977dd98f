/* Entry table of the network port library (libvlmnppm.so), a C interface.
 *
 * InitializeNETPAP(application module) returns the library's table, valid until
 * UninitializeNETPAP(). The first field gives the table's size in bytes, which must cover every
 * entry (32 bytes with 4-byte pointers, 56 with 8-byte pointers); every entry must be non-null.
 * Functions that return uint32_t return 0 on success and an error code otherwise. */
#ifndef ORVANE_NETPAP_TABLE_H
#define ORVANE_NETPAP_TABLE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opens a connection to the port; `reserved` is 0. */
typedef uint32_t (*NetPapOpenFn)(void** handle, const char* port_name, uint32_t reserved);
/* Closes a connection; the handle is invalid afterwards. */
typedef uint32_t (*NetPapCloseFn)(void* handle);
/* Sends `length` bytes; `written` gets the bytes sent. */
typedef uint32_t (*NetPapWriteFn)(void* handle, const void* buffer, uint32_t length, uint32_t* written);
/* Receives at most `length` bytes; `read` gets the count, 0 when nothing arrived in time. */
typedef uint32_t (*NetPapReadFn)(void* handle, void* buffer, uint32_t length, uint32_t* read);
/* Fills `buffer` with the printer's NUL-terminated status text; `text_length` gets its length. */
typedef uint32_t (*NetPapStatusFn)(void* handle, char* buffer, uint32_t length, uint32_t* text_length);
/* Present for the table's layout; never called. */
typedef uint32_t (*NetPapReservedFn)(void);

/* The entry table. */
typedef struct NetPapTable {
    uint32_t size;          /* table size in bytes */
    uint32_t unused;        /* not used */
    NetPapOpenFn open;      /* open(out handle, port name, 0) */
    NetPapCloseFn close;    /* close(handle) */
    NetPapWriteFn write;    /* write(handle, buffer, length, out written) */
    NetPapReadFn read;      /* read(handle, buffer, length, out read) */
    NetPapStatusFn status;  /* status(handle, buffer, length, out length) */
    NetPapReservedFn spare; /* must be non-null */
} NetPapTable;

/* InitializeNETPAP: returns the table, or null on failure. */
typedef const NetPapTable* (*InitializeNETPAPFn)(void* application_module);
/* UninitializeNETPAP: gives the table back. */
typedef void (*UninitializeNETPAPFn)(void);

#ifdef __cplusplus
}
#endif

#endif /* ORVANE_NETPAP_TABLE_H */
