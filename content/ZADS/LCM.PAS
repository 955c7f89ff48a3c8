program LCM;
{ Наименьшее общее кратное: НОК(a, b) = a * b / НОД(a, b). }
var
  a, b: longint;

function Gcd(x, y: longint): longint;
{ Алгоритм Евклида в виде функции }
begin
  while y <> 0 do
  begin
    x := x mod y;
    if x = 0 then begin x := y; y := 0 end
    else y := y mod x
  end;
  Gcd := x
end;

begin
  writeln('Наименьшее общее кратное двух чисел');
  write('Введите два натуральных числа: ');
  readln(a, b);
  { сначала делим, потом умножаем, чтобы не выйти за пределы longint }
  writeln('НОК = ', a div Gcd(a, b) * b);
  write('Нажмите Enter...');
  readln
end.
