// Compiled by the precompiled-header hosts of cmake/KelvanePch.cmake: the header set is all there is.
