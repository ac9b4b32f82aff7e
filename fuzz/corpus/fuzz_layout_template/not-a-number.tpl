False
 x
 3
 1
 0



































