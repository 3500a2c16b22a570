Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
Select Case 1
Case 1
