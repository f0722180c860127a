#pragma once

#include <QtGlobal>

// The host's libraries export their symbols; a host that brings its own build of
// these declarations defines KM_HOST_LIBRARY while building it.
#if defined(KM_HOST_LIBRARY)
#  define KM_HOST_EXPORT Q_DECL_EXPORT
#else
#  define KM_HOST_EXPORT Q_DECL_IMPORT
#endif
