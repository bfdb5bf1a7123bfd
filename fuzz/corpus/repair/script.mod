#################################################################
## Author Notes: n
## author note:x
#
#-----[ After, Add ]---
#
$isOpen = 1; // Opens
#-----[ Open ]---
