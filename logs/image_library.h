/* The image file library LTFIL10N.DLL as this module calls it: only the receive log's
 * Forward uses it, to copy a received document page by page into a new TIFF file. The
 * module imports its calls by ordinal (logs/LTFIL10N.def); they use the standard Windows
 * calling convention and answer IMAGE_SUCCESS or a negative error code.
 *
 * The library keeps the load options last set with ImageSetLoadOptions; ImageFileInfo and
 * ImageConvertFile work on the page they select. */
#ifndef RWFAX_IMAGE_LIBRARY_H
#define RWFAX_IMAGE_LIBRARY_H

#include <windows.h>

#ifndef LTFIL10N_API
#define LTFIL10N_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define IMAGE_SUCCESS              1
#define IMAGE_ERROR_ARGUMENT      -1
#define IMAGE_ERROR_FILE          -2   /* the file cannot be read, or is not an image the library takes */
#define IMAGE_ERROR_PAGE          -3   /* the selected page is not in the file */
#define IMAGE_ERROR_FORMAT        -4   /* a target format or page size the library cannot write */
#define IMAGE_ERROR_WRITE         -5

/* The file format of ImageConvertFile's target: a TIFF file, pages added at its end. */
#define IMAGE_FORMAT_TIFF          3

/* Load options: a block of 1072 bytes that the caller zero-fills; the page number is its
 * fifth 32-bit word (pages count from 1). */
#define IMAGE_LOAD_OPTIONS_BYTES   1072
typedef struct IMAGE_LOAD_OPTIONS {
    DWORD dwReserved[4];
    DWORD dwPageNumber;
    BYTE  bReserved[IMAGE_LOAD_OPTIONS_BYTES - 5 * sizeof(DWORD)];
} IMAGE_LOAD_OPTIONS;

/* What ImageFileInfo tells about a file and its selected page. */
typedef struct IMAGE_FILE_INFO {
    DWORD dwFormat;          /*  0: IMAGE_FORMAT_TIFF */
    DWORD dwByteOrder;       /*  4: 0 "II", 1 "MM", 2 the fax engine's "FF" */
    DWORD dwCompression;     /*  8: TIFF compression code of the page */
    DWORD dwXResolution;     /* 12: dots per resolution unit, 0 when not given */
    DWORD dwYResolution;     /* 16 */
    DWORD dwWidth;           /* 20: of the selected page, 0 when the page is not in the file */
    DWORD dwHeight;          /* 24 */
    DWORD dwBitsPerPixel;    /* 28 */
    DWORD dwReserved32[9];   /* 32 */
    DWORD dwTotalPages;      /* 68: pages in the file */
    DWORD dwPageNumber;      /* 72: the selected page */
    BYTE  bReserved76[436];
} IMAGE_FILE_INFO;

/* Ordinal 100: fills the information block for a file (dwFlags 0). */
LTFIL10N_API int WINAPI ImageFileInfo(const char* pszFile, IMAGE_FILE_INFO* pInfo, DWORD dwFlags);
/* Ordinal 105: the options set from this block no longer apply (the first page is selected). */
LTFIL10N_API int WINAPI ImageFreeLoadOptions(IMAGE_LOAD_OPTIONS* pOptions);
/* Ordinal 106: the options of the block apply from now on. */
LTFIL10N_API int WINAPI ImageSetLoadOptions(const IMAGE_LOAD_OPTIONS* pOptions);
/* Ordinal 111: writes the selected page of the source file at the end of the target file
 * (created when missing) in the format; width, height and bits per pixel 0 or those of the
 * page keep it as it is. dwQuality 0. */
LTFIL10N_API int WINAPI ImageConvertFile(const char* pszSource, const char* pszTarget, DWORD dwFormat, DWORD dwWidth,
                                         DWORD dwHeight, DWORD dwBitsPerPixel, DWORD dwQuality);

#ifdef __cplusplus
}  /* extern "C" */
static_assert(sizeof(IMAGE_LOAD_OPTIONS) == 1072, "load options block");
static_assert(offsetof(IMAGE_LOAD_OPTIONS, dwPageNumber) == 16, "page number: fifth word");
static_assert(offsetof(IMAGE_FILE_INFO, dwWidth) == 20, "width");
static_assert(offsetof(IMAGE_FILE_INFO, dwHeight) == 24, "height");
static_assert(offsetof(IMAGE_FILE_INFO, dwBitsPerPixel) == 28, "bits per pixel");
static_assert(offsetof(IMAGE_FILE_INFO, dwTotalPages) == 68, "page count");
#endif

#endif /* RWFAX_IMAGE_LIBRARY_H */
