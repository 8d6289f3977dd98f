/* Function table of a port monitor module, the layout of the spooler's MONITOR structure, as a C
 * interface. A monitor module exports
 *     MonitorBool InitializeMonitorEx(char* registry_root, MONITOR* monitor);
 * which fills the table. Entries return non-zero on success; on failure they return 0 and leave
 * the system error code in errno (ORVANE_ERROR_IO_DEVICE when the device did not take the data). */
#ifndef ORVANE_MONITOR_TABLE_H
#define ORVANE_MONITOR_TABLE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Error code of a device that did not take the data; the writer may try again. */
#define ORVANE_ERROR_IO_DEVICE 1117

/* Boolean result of monitor entries: 0 failure, non-zero success. */
typedef int32_t MonitorBool;

/* Document description handed to StartDocPort (level 2). */
typedef struct DOC_INFO_2 {
    char* pDocName;    /* document name */
    char* pOutputFile; /* output file */
    char* pDatatype;   /* data type */
    uint32_t dwMode;   /* mode */
    uint32_t JobId;    /* job ID */
} DOC_INFO_2;

/* The monitor's function table. */
typedef struct MONITOR {
    MonitorBool (*pfnEnumPorts)(char* name, uint32_t level, uint8_t* ports, uint32_t size, uint32_t* needed,
                                uint32_t* returned);
    MonitorBool (*pfnOpenPort)(char* name, void** port);
    MonitorBool (*pfnOpenPortEx)(char* port_name, char* printer_name, void** port, struct MONITOR* monitor);
    MonitorBool (*pfnStartDocPort)(void* port, char* printer_name, uint32_t job_id, uint32_t level,
                                   uint8_t* doc_info);
    MonitorBool (*pfnWritePort)(void* port, uint8_t* buffer, uint32_t size, uint32_t* written);
    MonitorBool (*pfnReadPort)(void* port, uint8_t* buffer, uint32_t size, uint32_t* read);
    MonitorBool (*pfnEndDocPort)(void* port);
    MonitorBool (*pfnClosePort)(void* port);
    MonitorBool (*pfnAddPort)(char* name, void* window, char* monitor_name);
    MonitorBool (*pfnAddPortEx)(char* name, uint32_t level, uint8_t* buffer, char* monitor_name);
    MonitorBool (*pfnConfigurePort)(char* name, void* window, char* port_name);
    MonitorBool (*pfnDeletePort)(char* name, void* window, char* port_name);
    MonitorBool (*pfnGetPrinterDataFromPort)(void* port, uint32_t control_id, char* value_name,
                                             char* in_buffer, uint32_t in_size, char* out_buffer,
                                             uint32_t out_size, uint32_t* out_returned);
    MonitorBool (*pfnSetPortTimeOuts)(void* port, void* timeouts, uint32_t reserved);
} MONITOR;

/* InitializeMonitorEx: fills `monitor`; non-zero on success. */
typedef MonitorBool (*InitializeMonitorExFn)(char* registry_root, MONITOR* monitor);

#ifdef __cplusplus
}
#endif

#endif /* ORVANE_MONITOR_TABLE_H */
