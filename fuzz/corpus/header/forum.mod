## MOD Title: t
## MOD Author: a
## Generator: g
#-----[ IN-LINE BEFORE, ADD ]---
#-----[ IN-LINE FIND ]---
this OR that
#EoM
# EoM
