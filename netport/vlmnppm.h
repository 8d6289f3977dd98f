/* libvlmnppm.so: the network port library. It carries the raw bytes of the job protocol over TCP
 * to the printer and asks the printer for its status. It exports InitializeNETPAP and
 * UninitializeNETPAP with the entry table of netpap_table.h.
 *
 * Port names: "VLNETP_<host>" or "VLNETP_<host>:<tcp port>". <host> is a DNS name, an IPv4
 * address, or an IPv6 address in brackets ("VLNETP_[::1]:9291"). The default TCP port is 9291.
 * An empty host, a bad port number (not 1-65535 in decimal) or anything after the port makes open
 * fail with a non-zero code.
 *
 * Wire, both directions: a frame is 1 type byte, a 4-byte big-endian length and that many bytes.
 * A frame longer than 1 MiB is a protocol error and closes the connection.
 *   computer -> printer: 'D' data (one write = one frame); 'S' status request, length 0;
 *   'N' request for nothing-more frames, length 0, sent once right after connecting.
 *   printer -> computer: 'D' data, one frame per transfer (one document, or a document with its
 *   payload); 'S' status reply, ASCII text such as "STA:10;". "STA:10;" and "STA:20;" mean ready,
 *   "STA:11;", "STA:19;" and "STA:30;" busy; other fields may follow ("STA:10;PRG:0;");
 *   'N' nothing more, length 4: the big-endian count (modulo 2^32) of 'D' frames the printer has
 *   taken from this connection. Asked for them, the printer sends one at once and then whenever it
 *   has answered everything it took, so no data frame is on its way while the count equals the
 *   computer's; a computer that did not ask gets none. A printer that never sends 'N' is served as
 *   well, only more slowly. Other types are ignored.
 *
 * Entries:
 *   open(out handle, port name, 0): parses the name, connects (5000 ms connect time-out) and asks
 *     for nothing-more frames.
 *   close(handle): closes the connection and frees the handle.
 *   write(handle, buffer, length, out written): sends one 'D' frame; reports the whole length.
 *   read(handle, buffer, length, out read): gives bytes of the current 'D' frame, at most length,
 *     never bytes of two frames in one call. With nothing buffered it waits up to 500 ms for a
 *     frame, or not at all while the printer's latest 'N' counts every 'D' frame sent, and then
 *     reports 0 bytes with success. A connection the peer closed with nothing buffered is a failure.
 *   status(handle, buffer, length, out length): sends 'S' and waits up to 5000 ms for the 'S'
 *     reply, keeping 'D' frames that arrive meanwhile for read; copies the text NUL-terminated,
 *     truncated to fit.
 * Error codes (non-zero results) are those of enum NetportError below. */
#ifndef ORVANE_VLMNPPM_H
#define ORVANE_VLMNPPM_H

#include "transport/netpap_table.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Non-zero results of the library's entries. */
enum NetportError {
    kNetportBadArgument = 1,   /* null handle or buffer, or a port name that does not parse */
    kNetportConnectFailed = 2, /* name lookup, connect or its time-out failed */
    kNetportSendFailed = 3,    /* the connection refused the frame */
    kNetportClosed = 4,        /* the printer closed the connection or broke the framing */
    kNetportNoStatus = 5,      /* no status reply within 5000 ms */
    kNetportNoMemory = 6       /* a buffer could not be allocated */
};

/* Default TCP port of the printer side. */
#define VLMNPPM_DEFAULT_TCP_PORT 9291

/* Returns the entry table; `application_module` is not used. */
__attribute__((visibility("default"))) const NetPapTable* InitializeNETPAP(void* application_module);

/* Gives the table back. */
__attribute__((visibility("default"))) void UninitializeNETPAP(void);

#ifdef __cplusplus
}
#endif

#endif /* ORVANE_VLMNPPM_H */
