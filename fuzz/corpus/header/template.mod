#################################################################
## Mod Title: x
## Mod Version: 1.0.0
## Author: a < b > (c) d
## Description: one
## two
##
## Installation Level: easy
## Installation Time: 1 minute
## Author Note: n1
## n2
##
#################################################################