#pragma once

/*
 * The scale link library: C entry points, results as ints. Records travel as JSON texts in
 * the local 8-bit code page. The program never links this library; it loads it by name at run
 * time and resolves each entry point into the pointer types below.
 *
 * Results: 0 is success for most calls; the upload calls and a few others fail only on a
 * negative result (see docs/link-protocol.md for each call).
 */

#ifdef _WIN32
#define ZQSCALE_CALL __stdcall
#ifdef ZQSCALE_BUILDING
#define ZQSCALE_API __declspec(dllexport)
#else
#define ZQSCALE_API __declspec(dllimport)
#endif
#else
#define ZQSCALE_CALL
#define ZQSCALE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Called once per received item, on the calling thread, in item order: the item's JSON text
 * (NUL-terminated), its number counting from 1, and a reserved value. */
typedef void(ZQSCALE_CALL *ScaleRecordCallback)(const char *json, int itemNo, int reserved);

#define ZQSCALE_ENTRY_POINTS(X)                                                                                        \
    X(zqscaleConnect, int, (const char *link, int baudRate, int *linkHandle))                                          \
    X(zqscaleDisConnect, int, (int linkHandle))                                                                        \
    X(zqscaleClearPLUData, int, (int linkHandle))                                                                      \
    X(zqscaleDownLoadPLU, int, (int linkHandle, const char *jsonArray, int packetNo))                                  \
    X(zqscaleDownLoadHotkey, int, (int linkHandle, const int *lfCodes84, int packetNo))                                \
    X(zqscaleDownLoadMessage, int, (int linkHandle, int index, const char *text, int length, int *reserved))           \
    X(zqscaleClearMessage, int, (int linkHandle))                                                                      \
    X(zqscaleDownLoadAdHead, int, (int linkHandle, const char *text, int length))                                      \
    X(zqscaleDownLoadAdTail, int, (int linkHandle, const char *text, int length))                                      \
    X(zqscaleDownLoadDisCountSchedule, int, (int linkHandle, const char *json))                                        \
    X(zqscaleDownLoadPackTypeFunSet, int, (int linkHandle, const char *json))                                          \
    X(zqscaleDownLoadNutritionTable, int, (int linkHandle, const char *json))                                          \
    X(zqscaleDownLoadPluNutrition, int, (int linkHandle, const char *json))                                            \
    X(zqscaleDownLoadDepartment, int, (int linkHandle, const char *json, int mode))                                    \
    X(zqscaleClearPluNutritionData, int, (int linkHandle))                                                             \
    X(zqscaleUploadDataAdHead, int, (int linkHandle, char *buffer260))                                                 \
    X(zqscaleUploadDataAdTail, int, (int linkHandle, char *buffer260))                                                 \
    X(zqscaleUploadPluData, int, (int linkHandle, ScaleRecordCallback callback))                                       \
    X(zqscaleUploadCustomHotkey, int, (int linkHandle, ScaleRecordCallback callback))                                  \
    X(zqscaleUploadMessage, int, (int linkHandle, ScaleRecordCallback callback))                                       \
    X(zqscaleUpLoadDisCountSchedule, int, (int linkHandle, ScaleRecordCallback callback))                              \
    X(zqscaleUpLoadPackTypeFunSet, int, (int linkHandle, ScaleRecordCallback callback))                                \
    X(zqscaleUpLoadDepartment, int, (int linkHandle, ScaleRecordCallback callback, int mode))                          \
    X(zqscaleSetTransBreak, int, (int flag))                                                                           \
    X(zqscaleLoadIniFile, int, (const char *settingsPath))                                                             \
    X(zqscaleDownLoadData, int, (int linkHandle, int kind, const char *json))                                          \
    X(zqscaleUploadData, int, (int linkHandle, int kind, ScaleRecordCallback callback))                                \
    X(zqscaleUpDatePrice, int, (int linkHandle, int lfCode, int unitPrice))                                            \
    X(zqscaleDownLoadWeightUnit, int, (int linkHandle, int unitCode))                                                  \
    X(zqscaleUploadSaleData, int, (int linkHandle, ScaleRecordCallback callback))                                      \
    X(zqscaleGetPluWeight, int, (int linkHandle, int *weight))                                                         \
    X(zqscaleDownLoadCustomBar, int, (int linkHandle, const char *json))

/* Function-pointer types, one per entry point: zqscaleConnectFn and so on. */
#define ZQSCALE_DECLARE_POINTER_TYPE(name, ret, args) typedef ret(ZQSCALE_CALL *name##Fn) args;
ZQSCALE_ENTRY_POINTS(ZQSCALE_DECLARE_POINTER_TYPE)
#undef ZQSCALE_DECLARE_POINTER_TYPE

#ifdef ZQSCALE_BUILDING
#define ZQSCALE_DECLARE_EXPORT(name, ret, args) ZQSCALE_API ret ZQSCALE_CALL name args;
ZQSCALE_ENTRY_POINTS(ZQSCALE_DECLARE_EXPORT)
#undef ZQSCALE_DECLARE_EXPORT
#endif

#ifdef __cplusplus
}
#endif
